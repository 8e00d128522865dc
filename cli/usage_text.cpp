#include "cli/usage_text.h"

namespace murkvale {

std::string helpText() {
    return R"(Usage:
  murkvale seal FILE [-o OUTPUT] [-f] [--password-file PATH | --password-fd N] [--codepage CP] [-q]
  murkvale open FILE [-o OUTPUT] [-f] [--password-file PATH | --password-fd N] [--codepage CP] [-q]
  murkvale info FILE
  murkvale --help | --version

seal writes FILE sealed into a Vael file, by default FILE.vae.
open writes the content of the Vael file FILE, by default FILE without its .vae.
info says whether FILE is a Vael file and, if so, the size of its content.
The files are the same as those of the Murkvale window, in both directions.

Options:
  -o OUTPUT             write OUTPUT instead of the default name
  -f                    replace OUTPUT if it exists (it is never FILE itself)
  --password-file PATH  take the password from the first line of PATH
  --password-fd N       take the password from the first line read from descriptor N
  --codepage CP         convert the password to Windows code page CP (for example 1252)
                        before use, so that it matches the same text typed in the window
  -q                    no progress bar

Without a password option the password is asked on the terminal, twice for seal.
A password is at most 16 bytes, as in the window. Line endings (\n or \r\n) are
not part of it.

Exit status:
  0  success
  1  failure: cannot open, read or write; input changed; output exists;
     output is FILE; password too long or retyped differently; interrupted
  2  wrong usage, or no terminal to ask the password on
  3  FILE is not a Vael file
  4  the password does not match the file
)";
}

std::string versionText() { return "murkvale " MURKVALE_VERSION "\n"; }

}  // namespace murkvale
