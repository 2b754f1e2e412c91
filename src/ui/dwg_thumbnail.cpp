#include "ui/dwg_thumbnail.h"

#include "platform/file_system.h"
#include "platform/services.h"

namespace ui {

void DwgThumbnail::SetPath(const std::string& path) {
  PreviewImage image;
  if (!path.empty()) {
    platform::FileSystem& fs = Ctx().Services().fileSystem;
    image = ReadDrawingPreview(
        [&fs, &path](std::uint64_t offset, std::size_t count) { return fs.ReadRange(path, offset, count); });
  }
  path_ = path;
  image_ = std::move(image);
  Changed(Property::kValue);
}

}  // namespace ui
