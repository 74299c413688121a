#pragma once

#include "forms/chartform.h"

namespace kestrun {

class TForm6 : public ChartForm {
 public:
  TForm6();
};

}  // namespace kestrun
