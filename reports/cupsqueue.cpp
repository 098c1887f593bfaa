#include "reports/cupsqueue.h"

#include <cups/cups.h>

#include <cstring>

extern "C" {

int vb_cups_printer_stopped(const char *printer)
{
    cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, printer, nullptr);
    if (!dest)
        return 0;
    const char *state = cupsGetOption("printer-state", dest->num_options, dest->options);
    const bool stopped = state && std::strcmp(state, "5") == 0;
    cupsFreeDests(1, dest);
    return stopped ? 1 : 0;
}

int vb_cups_newest_job(const char *printer, const char *title, int which, int *state)
{
    cups_job_t *jobs = nullptr;
    constexpr int myJobs = 1;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, printer, myJobs, which);
    int newest = 0;
    *state = 0;
    for (int i = 0; i < count; ++i) {
        if (jobs[i].id > newest && jobs[i].title && std::strcmp(jobs[i].title, title) == 0) {
            newest = jobs[i].id;
            *state = jobs[i].state;
        }
    }
    if (jobs)
        cupsFreeJobs(count, jobs);
    return newest;
}

int vb_cups_last_error(const char **text)
{
    *text = cupsLastErrorString();
    return cupsLastError();
}

} // extern "C"
