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
    {IDS_APP_TITLE, "Tarvell"},
    {IDS_IDLE_MESSAGE, "Ready"},
    {ID_FILE_NEW, "Create a new game\nNew Game"},
    {ID_FILE_OPEN, "Creates a new user profile\nNew User"},
    {ID_OPTIONS, "Show the Options Dialog\nShow Options Dialog"},
    {ID_APP_ABOUT, "Display program information, version number and copyright\nAbout"},
    {ID_APP_EXIT, "Quit the game\nExit"},
    {ID_VIEW_STATUS_BAR, "Show or hide the status bar\nToggle StatusBar"},
    {ID_VIEW_CHAOS, "Show what Chaos has learned about you\nChaos"},
    {ID_VIEW_ZOOM_100, "Show the board at its own size\nZoom 100 %"},
    {ID_VIEW_ZOOM_150, "Show the board half as large again\nZoom 150 %"},
    {ID_VIEW_ZOOM_200, "Show the board at twice its size\nZoom 200 %"},
    {ID_HELP_HOW_TO_PLAY, "Explain the goal, the units, the barbarians and a turn\nHow to Play"},
    {ID_INDICATOR_CAPS, "CAP"},
    {ID_INDICATOR_NUM, "NUM"},
    {ID_INDICATOR_SCRL, "SCRL"},
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

std::string CommandPrompt(int command) {
  const std::string text = LoadResourceString(command);
  return text.substr(0, text.find('\n'));
}
