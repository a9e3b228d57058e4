#pragma once

#include <QString>

#include <cstdint>

// What a process start returns. The process handle identifies the child for
// TerminateProcess; 0xFFFF marks a failed start and is never handed out.
struct TProcessInformation {
    uint32_t hProcess = 0;
    uint32_t hThread = 0;
    uint32_t dwProcessId = 0;
    uint32_t dwThreadId = 0;
};

constexpr uint32_t InvalidProcessHandle = 0xFFFF;

// The program a command line names. "Calc.exe" stands for the first desktop
// calculator found on PATH; an empty result means none can be started.
QString ResolveProgram(const QString& commandLine);

// Starts a process from a command line without waiting for it. On success
// fills all four values and returns true; on failure leaves info untouched.
bool CreateProcess(const QString& commandLine, TProcessInformation& info);

// Ends a process started by CreateProcess. Returns false, and signals nothing,
// when the handle is unknown or the process has already exited. Children are
// always reaped, so no zombie is left.
bool TerminateProcess(uint32_t handle, int exitCode);

// Starts a program from a command line without waiting. On failure only the
// process handle of info is set, to 0xFFFF.
void StartProgram(const QString& commandLine, TProcessInformation& info);
