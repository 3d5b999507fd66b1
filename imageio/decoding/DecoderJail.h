// The walls a decoding child puts up around itself once it has loaded every
// library, plugin and font it needs and before it reads a byte of the
// picture, so that a decoder taken over by a crafted file can do nothing but
// decode: it cannot open a file, reach the network, start a program or write
// anywhere but to the program that started it.
#pragma once

#include <QString>
#include <QStringList>

#include <chrono>

namespace kolvira {

// Closes every descriptor the child was started with but its standard
// input, output and error; called first thing in main().
void CloseInheritedDescriptors();

struct JailState {
    bool jailed = false;
    QString walls;  // "seccomp, Landlock" when jailed
    QString reason; // why not, when not
};

// Whether the jail can leave folders readable (Landlock confines opening
// files to them); else nothing can be opened once in.
bool CanKeepReadingFolders();

// Shuts the calling process in: memory and processor-time limits (the time
// one decode may take, `cpuLimit`), no new privileges, Landlock with no
// filesystem rights where the kernel has it, and a system-call allow-list
// that kills the process on anything else. The files under `readable` can
// still be opened for reading where CanKeepReadingFolders(). Where the
// kernel refuses the allow-list the process goes on unjailed and the state
// says why.
JailState EnterDecoderJail(std::chrono::milliseconds cpuLimit, const QStringList& readable = {});

// "jailed (seccomp, Landlock)" or "not jailed: REASON".
QString DescribeJail(const JailState& state);

} // namespace kolvira
