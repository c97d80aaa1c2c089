#include "ui/character_case.h"

#include "platform/win32.h"

// CharUpperA takes a pointer whose high bits are zero as a character, so the
// character travels as a one-character string.
char Win32_toupper(char character) {
  char text[2] = {character, '\0'};
  CharUpperA(text);
  return text[0];
}
