// The program's fixed resources as data: command identifiers, the main menu,
// the accelerator table, the toolbar, the string table and the two dialog
// templates. Windows are built from these tables, and tests compare against
// them.
#pragma once

#include <QString>
#include <optional>
#include <span>

namespace velmar {

enum CommandId : int {
  ID_SEPARATOR = 0,
  ID_CS_CIRCULAR = 32771,
  ID_FILE_NEW = 57600,
  ID_FILE_OPEN = 57601,
  ID_FILE_SAVE = 57603,
  ID_FILE_SAVE_AS = 57604,
  ID_FILE_PRINT_SETUP = 57606,
  ID_FILE_PRINT = 57607,
  ID_FILE_PRINT_PREVIEW = 57609,
  ID_FILE_MRU_FILE1 = 57616,
  ID_FILE_MRU_LAST = 57631,
  ID_EDIT_COPY = 57634,
  ID_EDIT_CUT = 57635,
  ID_EDIT_PASTE = 57637,
  ID_EDIT_UNDO = 57643,
  ID_APP_ABOUT = 57664,
  ID_APP_EXIT = 57665,
  ID_NEXT_PANE = 57680,
  ID_PREV_PANE = 57681,
  ID_VIEW_TOOLBAR = 59392,
  ID_VIEW_STATUS_BAR = 59393,
  ID_INDICATOR_CAPS = 59137,
  ID_INDICATOR_NUM = 59138,
  ID_INDICATOR_SCRL = 59139,
  ID_PREVIEW_CLOSE = 61445,
};

inline constexpr int kRecentFileCount = 4;

struct MenuItem {
  const char* caption;  // caption, then a tab and the shortcut text; null for a separator
  int id;
  bool placeholderDisabled = false;
};

struct Menu {
  const char* title;
  std::span<const MenuItem> items;
};

struct Accelerator {
  const char* keys;  // in the portable key-sequence notation
  int id;
};

struct CommandPrompt {
  QString statusPrompt;
  QString tooltip;
};

std::span<const Menu> MainMenu();
std::span<const Accelerator> Accelerators();
// Button identifiers from left to right; ID_SEPARATOR marks a gap.
std::span<const int> ToolbarButtons();
// Status-bar panes after the message pane, from left to right.
std::span<const int> StatusIndicators();

std::optional<CommandPrompt> PromptFor(int commandId);
QString IndicatorText(int indicatorId);

QString AppTitle();     // string 57344
QString IdleMessage();  // string 57345
QString TemplateString();
QString VersionText();

// Dialog templates: positions and sizes in dialog units.
struct DialogRect {
  int x, y, width, height;
};

struct TemplateControl {
  int id;  // -1 for controls nobody addresses
  const char* text;
  DialogRect rect;
};

struct DialogTemplate {
  int id;
  const char* caption;
  int width, height;
  std::span<const TemplateControl> controls;  // in tab order
};

const DialogTemplate& CircularDialogTemplate();
const DialogTemplate& AboutDialogTemplate();

// Control identifiers of the circulant dialog.
enum CircularControl : int {
  IDC_STATIC = -1,
  IDOK = 1,
  IDCANCEL = 2,
  IDC_LIST_ADJACENCY = 1000,
  IDC_LIST_DISTANCE = 1001,
  IDC_EDIT_VERTICES = 1002,
  IDC_EDIT_GENERATORS = 1003,
  IDC_BUTTON_BUILD = 1004,
  IDC_LIST_AVERDIAM = 1005,
  IDC_EDIT_DIAMETER = 1006,
};

}  // namespace velmar
