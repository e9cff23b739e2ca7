#include "host/echolink/ComInit.h"

#include <objbase.h>

namespace quendal::echolink {

ComInit::ComInit() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}

ComInit::~ComInit() {
  // S_FALSE (already joined) still counts a reference that must be given back; a refusal
  // took none, and undoing it would tear down the apartment someone else set up.
  if (SUCCEEDED(result_)) CoUninitialize();
}

}  // namespace quendal::echolink
