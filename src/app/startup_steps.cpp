#include "app/startup_steps.h"

#include "base/clock.h"
#include "base/text.h"
#include "ports/ui.h"
#include "render/page_temp_folder.h"
#include "shell/session.h"
#include "store/database.h"

namespace mivrel {

std::string RunStartupSteps(Session& session, Ui& ui, Clock& clock, uint32_t start_tick,
                            const std::string& gb_keyword,
                            const std::function<void(const std::string&)>& use_temp_folder) {
  const uint32_t open_ms = clock.NowMs() - start_tick;

  uint32_t mark = clock.NowMs();
  const std::string temp_folder = CreatePageTempFolder();
  session.pages().SetPageTempFolder(temp_folder);
  if (!temp_folder.empty() && use_temp_folder) use_temp_folder(temp_folder);
  session.pages().LoadKeywordSets();
  const uint32_t keyword_ms = clock.NowMs() - mark;

  mark = clock.NowMs();
  session.tree().LoadDirectoryTree();
  const uint32_t tree_ms = clock.NowMs() - mark;

  mark = clock.NowMs();
  session.navigator().GoHome();
  const uint32_t home_ms = clock.NowMs() - mark;

  const uint32_t total = open_ms + keyword_ms + tree_ms + home_ms;
  ui.SetStatusText("开启数据库:" + WithBlank(open_ms) + "毫秒，加载关键词:" + WithBlank(keyword_ms) +
                   "毫秒，加载目录:" + WithBlank(tree_ms) + "毫秒，显示主页:" + WithBlank(home_ms) +
                   "毫秒，开软件总化费:" + WithBlank(total) + "毫秒");
  session.HandOverKeyword(gb_keyword);
  return temp_folder;
}

void RunShutdownSteps(Database& db, const std::string& temp_folder) {
  db.Close();
  RemovePageTempFolder(temp_folder);
}

}  // namespace mivrel
