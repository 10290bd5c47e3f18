#pragma once

#include "DoubleStore.h"
#include "sysinfo/Bytes.h"

namespace typ::dbl {

// The binary message that answers one request payload (its envelope still
// on): the method's response; an exception response of class
// EVnSysInfoError for a request the double refuses, and for every call when
// `failEveryCall` is set; one of the transport's own class ("ERemoteError")
// for a request it cannot read or a method it does not know. Every request
// whose names can be read counts as a call of its method.
TBytes AnswerRequest(TDoubleStore& store, const TBytes& payload, bool failEveryCall);

} // namespace typ::dbl
