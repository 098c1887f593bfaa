#pragma once

// What the print flow asks the CUPS scheduler, in a small module of its own that is linked
// against libcups and loaded at the first print. libcups brings its network, security and
// service-discovery libraries, which would cost every start of the program several
// milliseconds; Qt's print support loads libcups itself only when a printer is first asked for,
// so the module joins the one copy of libcups the process then holds.
//
// The functions have C linkage and plain types, so that the print flow can find them by name.

extern "C" {

// Whether the scheduler reports the printer as stopped (printer-state 5).
int vb_cups_printer_stopped(const char *printer);

// This user's newest job of the given title on the printer: its id (0 when there is none) and,
// in *state, its IPP job state. `which` is CUPS_WHICHJOBS_ACTIVE (0) or CUPS_WHICHJOBS_ALL (-1).
int vb_cups_newest_job(const char *printer, const char *title, int which, int *state);

// The IPP status of this thread's last request to the scheduler, and its text (empty when the
// scheduler gave none).
int vb_cups_last_error(const char **text);

} // extern "C"
