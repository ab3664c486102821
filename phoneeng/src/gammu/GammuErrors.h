// How libgammu's results become the call set's codes.
#pragma once

#include <gammu.h>

#include <cstdint>

namespace phoneeng {

// The call-set code (PE_...) for a libgammu result; ERR_NONE gives PE_OK.
// Results that mean the device could not be reached give PE_NO_SUCH_PORT,
// a phone that stopped answering PE_TIMEOUT, a link that is gone
// PE_NOT_CONNECTED, and anything the phone refused PE_PHONE_ERROR.
int16_t codeOfGammuError(GSM_Error error);

// True for results after which the link cannot be trusted any more (the
// device went away or the phone stopped answering).
bool gammuLinkLost(GSM_Error error);

}  // namespace phoneeng
