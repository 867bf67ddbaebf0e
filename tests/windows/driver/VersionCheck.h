#pragma once

#include <string>

// Reads the version record and the icon back from the program file; returns the failed checks.
int checkVersionRecord(const std::wstring& exe);
