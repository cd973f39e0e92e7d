#include "support/stand_ins.h"

namespace testing_support {

// Apart from the header, whose raw string moc would misread.
void writeOsascript(const std::filesystem::path& osascript)
{
    writeScript(osascript, R"(echo >> "$0.ran"; exec perl -e '$_ = $ARGV[0]; s/^do shell script "//;
s/"( with prompt "([^"\\]|\\.)*")? with administrator privileges$//s;
s/\\(.)/$1 eq "n" ? "\n" : $1 eq "r" ? "\r" : $1/ge; exec "/bin/sh", "-c", $_' "$2")");
}

}  // namespace testing_support
