#include "common/windows/Boundary.h"

#include <new>

#include "common/subTool.h"
#include "shared/RuntimeError.h"

namespace quorva {
namespace {

thread_local bool tReporting = false;

}  // namespace

void ReportEscaped() noexcept {
  if (tReporting) return;
  tReporting = true;
  try {
    try {
      throw;
    } catch (const RuntimeError& e) {
      ErrReport(e);
    } catch (const std::bad_alloc&) {
      ErrReport(MakeError(kOutOfMemory));
    } catch (...) {
      ErrReport(MakeError(kInternalError));
    }
  } catch (...) {
    // Even the report failed (out of memory while building it): nothing more can be said.
  }
  tReporting = false;
}

}  // namespace quorva
