#pragma once

#include "forms/chartform.h"

namespace kestrun {

class TForm9 : public ChartForm {
 public:
  TForm9();
};

}  // namespace kestrun
