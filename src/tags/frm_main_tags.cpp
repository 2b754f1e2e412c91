#include <string>

#include "app/app.h"
#include "mainwindow/frm_main.h"
#include "runtime/error.h"
#include "tags/tag_engine.h"

namespace mainwindow {

namespace {

// The queue list as the engine reads it, without copying its entries.
class ListQueueView : public tags::QueueView {
 public:
  explicit ListQueueView(const ui::ListBox& list) : list_(list) {}
  std::int32_t Count() const override { return list_.ListCount(); }
  std::string_view Entry(std::int32_t index) const override { return list_.ListText(index); }

 private:
  const ui::ListBox& list_;
};

}  // namespace

// The tag engine over this window's settings and queue. A failure gives the empty text.
std::string frmMain::SubstituteTAGS(const std::string& text, std::int32_t counter, const std::string& fileName,
                                    std::int16_t index) {
  try {
    const ListQueueView queue(List1);
    platform::Services& services = Ctx().Services();
    tags::TagSources sources{settings, queue, services, services.system.ProgramFolder()};
    return tags::SubstituteTAGS(sources, text, counter, fileName, index);
  } catch (const runtime::Error&) {
    return {};
  }
}

// The project tags, then the other tags with position 0. A failure gives the empty text.
std::string frmMain::SpSubstituteProjectTAGS(const std::string& text, std::int32_t counter,
                                             const std::string& fileName) {
  try {
    const ListQueueView queue(List1);
    platform::Services& services = Ctx().Services();
    tags::TagSources sources{settings, queue, services, services.system.ProgramFolder()};
    return tags::SpSubstituteProjectTAGS(sources, text, counter, fileName);
  } catch (const runtime::Error&) {
    return {};
  }
}

}  // namespace mainwindow
