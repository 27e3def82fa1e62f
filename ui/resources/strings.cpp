#include "ui/resources/strings.h"

#include <algorithm>
#include <iterator>

#include "ui/resources/resource_ids.h"

namespace {

struct StringResource {
  int id;
  const char* text;
};

constexpr StringResource kStrings[] = {
    {IDR_MAINFRAME, "Tarvell\n\nUser Profile\nTarvell User Profiles (*.tvu)\n.tvu\nTarvell.Document\nTarvell Profile"},
    {IDS_APP_TITLE, "Tarvell"},
    {IDS_IDLE_MESSAGE, "Ready"},
    {ID_FILE_NEW, "Create a new game\nNew Game"},
    {ID_FILE_OPEN, "Creates a new user profile\nNew User"},
    {ID_OPTIONS, "Show the Options Dialog\nShow Options Dialog"},
    {ID_APP_ABOUT, "Display program information, version number and copyright\nAbout"},
    {ID_APP_EXIT, "Quit the game\nExit"},
    {ID_VIEW_STATUS_BAR, "Show or hide the status bar\nToggle StatusBar"},
    {ID_INDICATOR_CAPS, "CAP"},
    {ID_INDICATOR_NUM, "NUM"},
    {ID_INDICATOR_SCRL, "SCRL"},
    {ID_SC_SIZE, "Change the window size"},
    {ID_SC_MOVE, "Change the window position"},
    {ID_SC_MINIMIZE, "Reduce the window to an icon"},
    {ID_SC_MAXIMIZE, "Enlarge the window to full size"},
    {ID_SC_RESTORE, "Restore the window to normal size"},
    {ID_SC_TASKLIST, "Activate Task List"},
};

// Every recent-file command shares one prompt.
constexpr const char* kRecentFilePrompt = "Open this document";

}  // namespace

std::string LoadResourceString(int id) {
  if (id >= ID_FILE_MRU_FILE1 && id <= ID_FILE_MRU_LAST) return kRecentFilePrompt;
  const auto found =
      std::find_if(std::begin(kStrings), std::end(kStrings), [id](const StringResource& s) { return s.id == id; });
  return found == std::end(kStrings) ? std::string() : std::string(found->text);
}

std::string DocumentTemplateField(int id, DocStringField field) {
  const std::string text = LoadResourceString(id);
  std::size_t start = 0;
  for (int index = 0; index < static_cast<int>(field); ++index) {
    start = text.find('\n', start);
    if (start == std::string::npos) return std::string();
    ++start;
  }
  return text.substr(start, text.find('\n', start) - start);
}

std::string CommandPrompt(int command) {
  const std::string text = LoadResourceString(command);
  return text.substr(0, text.find('\n'));
}
