#pragma once

#include "forms/chartform.h"

namespace kestrun {

class TForm3 : public ChartForm {
 public:
  TForm3();
};

}  // namespace kestrun
