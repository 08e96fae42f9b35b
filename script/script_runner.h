#pragma once

#include <iosfwd>

namespace pixmint::script {

// Runs an editing script line by line on a fresh headless workspace (scripted
// host, settings in memory). "#" starts a comment; coordinates are image
// pixels unless written "@SX SY". Printed results go to out; on the first
// error "line N: MESSAGE" goes to err and the answer is 1, else 0.
int RunScript(std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace pixmint::script
