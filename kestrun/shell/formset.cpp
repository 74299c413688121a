#include "formset.h"

#include "forms/forms.h"
#include "reportmenus.h"
#include "unit1.h"
#include "unit2.h"
#include "unit3.h"
#include "unit5.h"
#include "unit6.h"
#include "unit7.h"
#include "unit9.h"

namespace kestrun {
namespace {

template <typename T>
Form* Create(std::vector<std::unique_ptr<Form>>& forms, Form*& slot) {
  forms.push_back(std::make_unique<T>());
  slot = forms.back().get();
  return slot;
}

}  // namespace

FormSet::FormSet() {
  Create<TForm1>(forms_, Form1)->SetMainWindow(true);
  Create<TForm2>(forms_, Form2);
  Create<TForm3>(forms_, Form3);
  Create<TForm5>(forms_, Form5);
  Create<TForm6>(forms_, Form6);
  Create<TForm7>(forms_, Form7);
  Create<TForm9>(forms_, Form9);
  AttachReportMenus();
}

FormSet::~FormSet() {
  for (Form** slot : {&Form1, &Form2, &Form3, &Form5, &Form6, &Form7, &Form9}) *slot = nullptr;
  while (!forms_.empty()) forms_.pop_back();
}

}  // namespace kestrun
