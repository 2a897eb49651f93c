#pragma once

namespace orvenda::cli {

// Every command ends here: what it printed may still sit in a buffer, and a
// full disk or a closed pipe shows only when that is written. A command whose
// output did not arrive must not report success: returns `code`, or 1 with a
// line on standard error when standard output could not be written.
int FinishOutput(int code);

} // namespace orvenda::cli
