// A window message as a test's window or dialog procedure received it.
#ifndef TESTS_SUPPORT_RECEIVED_MESSAGE_H
#define TESTS_SUPPORT_RECEIVED_MESSAGE_H

#include "platform/win32.h"

struct ReceivedMessage {
  UINT msg;
  WPARAM wp;
  LPARAM lp;
};

#endif
