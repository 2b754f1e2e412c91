#include <string>
#include <vector>

#include "app/app.h"
#include "mainwindow/frm_main.h"
#include "runtime/error.h"
#include "tags/tag_engine.h"

namespace mainwindow {

// The tag engine over this window's settings and queue. A failure gives the empty text.
std::string frmMain::SubstituteTAGS(const std::string& text, std::int32_t counter, const std::string& fileName,
                                    std::int16_t index) {
  try {
    std::vector<std::string> entries;
    entries.reserve(static_cast<std::size_t>(List1.ListCount()));
    for (int i = 0; i < List1.ListCount(); ++i) entries.push_back(List1.List(i));
    tags::VectorQueueView queue(entries);
    platform::Services& services = Ctx().Services();
    tags::TagSources sources{*this, queue, services, services.system.ProgramFolder()};
    return tags::SubstituteTAGS(sources, text, counter, fileName, index);
  } catch (const runtime::Error&) {
    return {};
  }
}

}  // namespace mainwindow
