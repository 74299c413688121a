#include "resources.h"

#include <algorithm>
#include <array>

namespace velmar {

namespace {

constexpr std::array kFileMenu{
    MenuItem{"&New\tCtrl+N", ID_FILE_NEW},
    MenuItem{"&Open...\tCtrl+O", ID_FILE_OPEN},
    MenuItem{"&Save\tCtrl+S", ID_FILE_SAVE},
    MenuItem{"Save &As...", ID_FILE_SAVE_AS},
    MenuItem{nullptr, ID_SEPARATOR},
    MenuItem{"&Print...\tCtrl+P", ID_FILE_PRINT},
    MenuItem{"Print Pre&view", ID_FILE_PRINT_PREVIEW},
    MenuItem{"P&rint Setup...", ID_FILE_PRINT_SETUP},
    MenuItem{nullptr, ID_SEPARATOR},
    MenuItem{"Recent File", ID_FILE_MRU_FILE1, true},
    MenuItem{nullptr, ID_SEPARATOR},
    MenuItem{"E&xit", ID_APP_EXIT},
};

constexpr std::array kEditMenu{
    MenuItem{"&Undo\tCtrl+Z", ID_EDIT_UNDO},   MenuItem{nullptr, ID_SEPARATOR},
    MenuItem{"Cu&t\tCtrl+X", ID_EDIT_CUT},     MenuItem{"&Copy\tCtrl+C", ID_EDIT_COPY},
    MenuItem{"&Paste\tCtrl+V", ID_EDIT_PASTE},
};

constexpr std::array kViewMenu{
    MenuItem{"&Toolbar", ID_VIEW_TOOLBAR},
    MenuItem{"&Status Bar", ID_VIEW_STATUS_BAR},
};

constexpr std::array kHelpMenu{MenuItem{"&About Velmar...", ID_APP_ABOUT}};

constexpr std::array kCsMenu{MenuItem{"Circular", ID_CS_CIRCULAR}};

constexpr std::array kMainMenu{
    Menu{"&File", kFileMenu}, Menu{"&Edit", kEditMenu}, Menu{"&View", kViewMenu},
    Menu{"&Help", kHelpMenu}, Menu{"CS", kCsMenu},
};

constexpr std::array kAccelerators{
    Accelerator{"Ctrl+N", ID_FILE_NEW},
    Accelerator{"Ctrl+O", ID_FILE_OPEN},
    Accelerator{"Ctrl+S", ID_FILE_SAVE},
    Accelerator{"Ctrl+P", ID_FILE_PRINT},
    Accelerator{"Ctrl+Z", ID_EDIT_UNDO},
    Accelerator{"Ctrl+X", ID_EDIT_CUT},
    Accelerator{"Ctrl+C", ID_EDIT_COPY},
    Accelerator{"Ctrl+V", ID_EDIT_PASTE},
    Accelerator{"Alt+Backspace", ID_EDIT_UNDO},
    Accelerator{"Shift+Del", ID_EDIT_CUT},
    Accelerator{"Ctrl+Ins", ID_EDIT_COPY},
    Accelerator{"Shift+Ins", ID_EDIT_PASTE},
    Accelerator{"F6", ID_NEXT_PANE},
    Accelerator{"Shift+F6", ID_PREV_PANE},
};

constexpr std::array kToolbar{
    int{ID_FILE_NEW},  int{ID_FILE_OPEN},  int{ID_FILE_SAVE}, int{ID_SEPARATOR},  int{ID_EDIT_CUT},
    int{ID_EDIT_COPY}, int{ID_EDIT_PASTE}, int{ID_SEPARATOR}, int{ID_FILE_PRINT}, int{ID_APP_ABOUT},
};

constexpr std::array kIndicators{int{ID_INDICATOR_CAPS}, int{ID_INDICATOR_NUM},
                                 int{ID_INDICATOR_SCRL}};

struct PromptEntry {
  int id;
  const char* prompt;  // status-bar prompt, a line feed, the tooltip
};

constexpr std::array kPrompts{
    PromptEntry{ID_FILE_NEW, "Create a new document\nNew"},
    PromptEntry{ID_FILE_OPEN, "Open an existing document\nOpen"},
    PromptEntry{ID_FILE_SAVE, "Save the active document\nSave"},
    PromptEntry{ID_FILE_SAVE_AS, "Save the active document with a new name\nSave As"},
    PromptEntry{ID_FILE_PRINT_SETUP, "Change the printer and printing options\nPrint Setup"},
    PromptEntry{ID_FILE_PRINT, "Print the active document\nPrint"},
    PromptEntry{ID_FILE_PRINT_PREVIEW, "Display full pages\nPrint Preview"},
    PromptEntry{ID_EDIT_UNDO, "Undo the last action\nUndo"},
    PromptEntry{ID_EDIT_CUT, "Cut the selection and put it on the Clipboard\nCut"},
    PromptEntry{ID_EDIT_COPY, "Copy the selection and put it on the Clipboard\nCopy"},
    PromptEntry{ID_EDIT_PASTE, "Insert Clipboard contents\nPaste"},
    PromptEntry{ID_APP_ABOUT, "Display program information, version number and copyright\nAbout"},
    PromptEntry{ID_APP_EXIT, "Quit the application; prompts to save documents\nExit"},
    PromptEntry{ID_VIEW_TOOLBAR, "Show or hide the toolbar\nToggle ToolBar"},
    PromptEntry{ID_VIEW_STATUS_BAR, "Show or hide the status bar\nToggle StatusBar"},
    PromptEntry{ID_PREVIEW_CLOSE, "Close print preview mode\nCancel Preview"},
    PromptEntry{61184, "Change the window size"},
    PromptEntry{61185, "Change the window position"},
    PromptEntry{61186, "Reduce the window to an icon"},
    PromptEntry{61187, "Enlarge the window to full size"},
    PromptEntry{61190, "Close the active window and prompts to save the documents"},
    PromptEntry{61202, "Restore the window to normal size"},
};

constexpr std::array kCircularControls{
    TemplateControl{IDOK, "OK", {225, 15, 50, 15}},
    TemplateControl{IDCANCEL, "Cancel", {225, 40, 50, 15}},
    TemplateControl{IDC_LIST_ADJACENCY, "", {25, 120, 110, 80}},
    TemplateControl{IDC_LIST_DISTANCE, "", {150, 120, 110, 80}},
    TemplateControl{IDC_EDIT_VERTICES, "", {25, 30, 40, 14}},
    TemplateControl{IDC_EDIT_GENERATORS, "", {25, 55, 135, 14}},
    TemplateControl{IDC_STATIC, "Число вершин в графе", {25, 22, 100, 8}},
    TemplateControl{IDC_STATIC, "Образующие числа", {25, 47, 100, 8}},
    TemplateControl{IDC_BUTTON_BUILD, "Построить циркулянт", {25, 75, 135, 10}},
    TemplateControl{IDC_STATIC, "Задайте КС типа Циркулянт", {10, 10, 165, 80}},
    TemplateControl{IDC_STATIC, "Результаты построения", {10, 100, 265, 100}},
    TemplateControl{IDC_LIST_AVERDIAM, "", {160, 210, 50, 35}},
    TemplateControl{IDC_EDIT_DIAMETER, "", {25, 210, 40, 14}},
    TemplateControl{IDC_STATIC, "Матрица расстояний", {160, 112, 100, 8}},
    TemplateControl{IDC_STATIC, "Диаметр КС", {25, 202, 100, 8}},
    TemplateControl{IDC_STATIC, "Матрица смежности", {25, 112, 100, 8}},
    TemplateControl{IDC_STATIC, "Средний диаметр КС", {160, 202, 100, 8}},
};

constexpr std::array kAboutControls{
    TemplateControl{IDC_STATIC, "", {11, 17, 20, 20}},
    TemplateControl{IDC_STATIC, "Velmar Version 1.0", {40, 10, 119, 8}},
    TemplateControl{IDOK, "OK", {178, 7, 50, 16}},
};

}  // namespace

std::span<const Menu> MainMenu() { return kMainMenu; }
std::span<const Accelerator> Accelerators() { return kAccelerators; }
std::span<const int> ToolbarButtons() { return kToolbar; }
std::span<const int> StatusIndicators() { return kIndicators; }

std::optional<CommandPrompt> PromptFor(int commandId) {
  if (commandId >= ID_FILE_MRU_FILE1 && commandId <= ID_FILE_MRU_LAST) {
    return CommandPrompt{QStringLiteral("Open this document"), QString()};
  }
  const auto found = std::find_if(kPrompts.begin(), kPrompts.end(),
                                  [commandId](const PromptEntry& e) { return e.id == commandId; });
  if (found == kPrompts.end()) return std::nullopt;
  const QString text = QString::fromUtf8(found->prompt);
  const qsizetype split = text.indexOf(QLatin1Char('\n'));
  if (split < 0) return CommandPrompt{text, QString()};
  return CommandPrompt{text.left(split), text.mid(split + 1)};
}

QString IndicatorText(int indicatorId) {
  switch (indicatorId) {
    case ID_INDICATOR_CAPS:
      return QStringLiteral("CAP");
    case ID_INDICATOR_NUM:
      return QStringLiteral("NUM");
    case ID_INDICATOR_SCRL:
      return QStringLiteral("SCRL");
    default:
      return QString();
  }
}

QString AppTitle() { return QStringLiteral("Velmar"); }
QString IdleMessage() { return QStringLiteral("Ready"); }
QString TemplateString() {
  return QStringLiteral("Velmar\n\nVelmar\n\n\nVelmar.Document\nVelmar.Document");
}
QString VersionText() { return QStringLiteral(VELMAR_VERSION); }

const DialogTemplate& CircularDialogTemplate() {
  static const DialogTemplate dialog{130, "Параметры КС типа Циркулянт", 285, 252,
                                     kCircularControls};
  return dialog;
}

const DialogTemplate& AboutDialogTemplate() {
  static const DialogTemplate dialog{100, "About Velmar", 235, 55, kAboutControls};
  return dialog;
}

}  // namespace velmar
