#pragma once

namespace orv {

// Starts the program: the application, the company file (created with its
// starter chart on first start) and the login window; returns the exit code.
int runApplication(int argc, char* argv[]);

} // namespace orv
