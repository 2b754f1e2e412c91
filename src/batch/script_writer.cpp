#include "batch/script_writer.h"

#include <limits>
#include <utility>

#include "runtime/error.h"

namespace batch {

namespace {

// Writes the block of every drawing and returns how many were written. The queue is read by
// index after each pause for events, so a queue shortened meanwhile is never read past its
// end; entries added meanwhile are left out.
std::int32_t WriteDrawings(ScriptSink& sink, const ScriptStart& start, const std::vector<std::string>& queue,
                           ScriptSource& source, ScriptServices& services) {
  const auto count = static_cast<std::int32_t>(queue.size());
  DrawingCounter counter(start.COUNTERSTART, start.COUNTERSTEP);
  DrawingBlock block;
  std::int32_t position = 0;
  auto more = [&] { return position < count && static_cast<std::size_t>(position) < queue.size(); };
  while (more()) {
    source.BeforeDrawing(position + 1, count);
    if (!more()) break;
    const std::string& path = queue[static_cast<std::size_t>(position)];
    ++position;
    const DrawingSettings& settings = source.ReadDrawingSettings();
    const DrawingBlockInput input{
        .path = path,
        .counter = counter.Value(),
        .position = position,
        .state = source.ReadFileState(path),
        .Delay = start.Delay,
        .lockedFileSeen = block.lockedFileSeen,
    };
    AppendDrawingBlock(sink.Open(), settings, input, services, block);
    sink.Commit();
    source.AfterDrawing(block.postUserScript);
    counter.Advance();
  }
  return position;
}

}  // namespace

void ScriptSink::Write(std::string_view bytes) {
  buffer_ += bytes;
  Commit();
}

void ScriptSink::Commit() {
  committed_ = buffer_.size();
  if (committed_ >= kChunk) Flush();
}

void ScriptSink::Flush() {
  buffer_.resize(committed_);
  committed_ = 0;
  if (buffer_.empty()) return;
  std::string chunk = std::exchange(buffer_, {});
  file_.Write(chunk);
  buffer_ = std::move(chunk);  // keep the capacity for the next chunk
  buffer_.clear();
}

std::int32_t DrawingCounter::Value() const {
  if (value_ < std::numeric_limits<std::int32_t>::min() || value_ > std::numeric_limits<std::int32_t>::max()) {
    throw runtime::Error(runtime::kOverflow);
  }
  return static_cast<std::int32_t>(value_);
}

void WriteBatchScript(platform::OutputFile& file, const ScriptStart& start, const std::vector<std::string>& queue,
                      ScriptSource& source, ScriptServices& services) {
  if (queue.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
    throw runtime::Error(runtime::kOverflow);
  }
  ScriptSink sink(file);
  try {
    sink.Write(HeaderText(start.AppVersion, start.stamp));
    sink.Write(PreBatchText(start.tbPreBatch, start.DebugComments, services));
    const std::int32_t written = WriteDrawings(sink, start, queue, source, services);
    source.AfterDrawings(written);
    sink.Write(PostBatchText(source.ReadPostBatch(), written, services));
    sink.Flush();
  } catch (...) {
    // Leave the file as far as the build got; the first failure is the one reported.
    try {
      sink.Flush();
    } catch (...) {
    }
    throw;
  }
  file.Close();
}

}  // namespace batch
