#include "framework/view.h"

#include "framework/document.h"

namespace velmar {

View::~View() {
  if (document_ != nullptr) document_->RemoveView(this);
}

void View::OnInitialUpdate() { OnUpdate(nullptr, 0, nullptr); }

}  // namespace velmar
