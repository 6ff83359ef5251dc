#include "host/headless/headless_run.h"

#include <algorithm>
#include <deque>
#include <fstream>
#include <memory>
#include <sstream>

#include "common/tracer.h"
#include "common/utf8_path.h"
#include "host/headless/event_script.h"
#include "runtime/graphics/picture_file.h"

namespace talvora {
namespace {

std::optional<std::string> ReadWholeFile(const std::string& file) {
  std::ifstream in(PathFromUtf8(file), std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class HeadlessRun final : public EventPump {
 public:
  HeadlessRun(const RunRequest& request, HeadlessServices& services, std::ostream& errors)
      : request_(request),
        errors_(errors),
        session_(services, request.desktop, request.preview, request.programDir.value_or(".")) {
    session_.Desktop().SetPasswordAnswers(
        std::deque<bool>(request.passwordAnswers.begin(), request.passwordAnswers.end()));
  }

  int Run() {
    if (request_.eventsFile && !ReadEvents(events_)) return kHeadlessRunFailed;
    if (!OpenTrace()) return kHeadlessRunFailed;
    snapshots_ = request_.snapshots;
    std::stable_sort(snapshots_.begin(), snapshots_.end(),
                     [](const auto& a, const auto& b) { return a.atMs < b.atMs; });

    session_.Runtime().SetEventPump(this);
    session_.Start(request_.commandLine);
    while (session_.Runtime().AnyFormLoaded() && PumpOnce()) {
    }
    // Snapshots past the end show what is left on the screen.
    for (; nextSnapshot_ < snapshots_.size(); ++nextSnapshot_) {
      written_ = Snapshot(snapshots_[nextSnapshot_]) && written_;
    }
    return written_ ? 0 : kHeadlessRunFailed;
  }

  // One moment of the run: input first, then the timers due, then what the
  // screen shows. False once the run's time is over.
  bool PumpOnce() override {
    std::int64_t at = request_.runMs + 1;
    if (nextEvent_ < events_.size()) at = std::min(at, events_[nextEvent_].atMs);
    if (nextSnapshot_ < snapshots_.size()) at = std::min(at, snapshots_[nextSnapshot_].atMs);
    if (const std::int64_t due = session_.NextDueMs(); due >= 0) at = std::min(at, due);
    if (at > request_.runMs) return false;
    session_.Clock().AdvanceTo(at);
    // An event may open a modal form, whose loop comes back here for the
    // events after it: each is taken off before it is delivered.
    while (nextEvent_ < events_.size() && events_[nextEvent_].atMs <= at) {
      const ScriptEvent event = events_[nextEvent_++];
      if (!session_.Deliver(event)) {
        const Form* form = session_.Runtime().ActiveForm();
        errors_ << "talvora-headless: at " << event.atMs << " ms " << (form ? form->Name() : "")
                << " has no control " << event.control << '\n';
        written_ = false;
      }
    }
    session_.AdvanceTo(at);
    for (; nextSnapshot_ < snapshots_.size() && snapshots_[nextSnapshot_].atMs <= at;
         ++nextSnapshot_) {
      written_ = Snapshot(snapshots_[nextSnapshot_]) && written_;
    }
    return true;
  }

 private:
  bool ReadEvents(std::vector<ScriptEvent>& events) {
    const auto text = ReadWholeFile(*request_.eventsFile);
    if (!text) {
      errors_ << "talvora-headless: cannot read the event script " << *request_.eventsFile << '\n';
      return false;
    }
    ParsedEventScript parsed = ParseEventScript(*text);
    if (!parsed.error.empty()) {
      errors_ << "talvora-headless: " << *request_.eventsFile << ", " << parsed.error << '\n';
      return false;
    }
    events = std::move(parsed.events);
    return true;
  }

  bool OpenTrace() {
    if (!request_.traceFile) return true;
    traceFile_ = std::make_unique<std::ofstream>(PathFromUtf8(*request_.traceFile),
                                                 std::ios::binary | std::ios::trunc);
    if (!*traceFile_) {
      errors_ << "talvora-headless: cannot write the trace " << *request_.traceFile << '\n';
      return false;
    }
    tracer_ = std::make_unique<JsonLinesTracer>(*traceFile_, session_.Clock());
    session_.SetTracer(tracer_.get());
    return true;
  }

  bool Snapshot(const SnapshotRequest& snapshot) {
    if (WritePng(session_.Screen(), PathFromUtf8(snapshot.file))) return true;
    errors_ << "talvora-headless: cannot write the snapshot " << snapshot.file << '\n';
    return false;
  }

  const RunRequest& request_;
  std::ostream& errors_;
  HeadlessSession session_;
  std::vector<ScriptEvent> events_;
  std::vector<SnapshotRequest> snapshots_;
  std::size_t nextEvent_ = 0;
  std::size_t nextSnapshot_ = 0;
  bool written_ = true;
  std::unique_ptr<std::ofstream> traceFile_;
  std::unique_ptr<JsonLinesTracer> tracer_;
};

}  // namespace

int RunHeadless(const RunRequest& request, HeadlessServices& services, std::ostream& errors) {
  return HeadlessRun(request, services, errors).Run();
}

}  // namespace talvora
