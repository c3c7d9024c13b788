#pragma once
// Event types shared across the toolkit.
#include "toolkit/core/TypInfo.h"

namespace fw {

FW_EVENT_TYPE(TNotifyEvent, TObject* /*Sender*/);

} // namespace fw
