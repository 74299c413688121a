// The windows of one run of the wizard: created once, hidden, in a fixed
// order at start-up and entered into the window registry; the first is the
// main window. Destroying the set empties the registry again.
#pragma once

#include <memory>
#include <vector>

#include "forms/form.h"

namespace kestrun {

class FormSet {
 public:
  FormSet();
  ~FormSet();
  FormSet(const FormSet&) = delete;
  FormSet& operator=(const FormSet&) = delete;

 private:
  std::vector<std::unique_ptr<Form>> forms_;
};

}  // namespace kestrun
