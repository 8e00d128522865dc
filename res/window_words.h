/* The words on Murkvale's windows, for the resource script and the Linux
   window alike. Plain ASCII, so both read them as they are. */
#pragma once

#define MURKVALE_WORD_MAIN_CAPTION "Murkvale"
#define MURKVALE_WORD_QUIT "&Quit"
#define MURKVALE_WORD_DECRYPT "Decrypt..."
#define MURKVALE_WORD_ENCRYPT "Encrypt..."
#define MURKVALE_WORD_LOAD_FILE "Load File..."
#define MURKVALE_WORD_FILE "File:"
#define MURKVALE_WORD_FILE_SIZE "File size:"
#define MURKVALE_WORD_FILE_INFO "File info"
#define MURKVALE_WORD_BYTES "bytes"
#define MURKVALE_WORD_STATUS "Status:"

#define MURKVALE_WORD_PASSWORD_CAPTION "Password"
#define MURKVALE_WORD_OK "OK"
#define MURKVALE_WORD_CANCEL "Cancel"

#define MURKVALE_WORD_ABOUT_ENTRY "&About Murkvale..."
#define MURKVALE_WORD_ABOUT_CAPTION "About Murkvale"
#define MURKVALE_WORD_ABOUT_VERSION "Murkvale Version 1.0"
#define MURKVALE_WORD_ABOUT_RIGHTS "(C) 2026 the Murkvale team"
#define MURKVALE_WORD_ABOUT_WEB "murkvale.example.org"
