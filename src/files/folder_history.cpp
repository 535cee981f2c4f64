#include "files/folder_history.h"

namespace files {

void ShowHistoryCount(ui::ItemList& history, ui::Label& count) {
  count.setCaption(std::to_string(history.count()) + "ｺ");
}

void RecordFolderHistory(ui::ItemList& history, ui::Label& count, int limit, const std::string& folder) {
  if (limit == 0) return;
  for (int i = 0; i < history.count(); ++i)
    if (history.item(i) == folder) {
      history.remove(i);
      break;
    }
  history.insert(0, folder);
  if (history.count() > limit || history.count() > kFolderHistoryCap) history.remove(history.count() - 1);
  history.setItemIndex(-1);
  history.setItemIndex(0);
  ShowHistoryCount(history, count);
}

}  // namespace files
