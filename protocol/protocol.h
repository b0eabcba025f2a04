#pragma once

// The whole public interface of the protocol module: message fields and composition, the wire
// forms of numbers, the client order identifier, the current user name and Login reply handling.

#include "protocol/clientorderid.h"
#include "protocol/conversionerror.h"
#include "protocol/loginreply.h"
#include "protocol/messages.h"
#include "protocol/numbertext.h"
#include "protocol/session.h"
#include "protocol/tagvalue.h"
#include "protocol/utf8.h"
