#pragma once

#include "chartform.h"

namespace kestrun {

class TForm3 : public ChartForm {
 public:
  TForm3();
};

}  // namespace kestrun
