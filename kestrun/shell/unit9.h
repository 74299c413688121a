#pragma once

#include "chartform.h"

namespace kestrun {

class TForm9 : public ChartForm {
 public:
  TForm9();
};

}  // namespace kestrun
