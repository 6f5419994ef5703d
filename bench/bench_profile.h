#pragma once

#include <QString>

namespace vant::bench {

// A profile of the statements a job sends: each is timed, in the process's CPU time and on the
// clock, from the moment it is sent to the moment the next one is (the program's own work between
// them counts with it), and the plan SQLite chooses for it is taken once per form, before it runs
// and outside its time.
// Statements that differ only in their numbers share a form. A commit is not heard as a
// statement: its time counts with the statement before it.
void startProfile();
// Ends the profile and prints the forms that took the most CPU time, with their share of it, how
// often each was sent and its plan, to standard error.
void printProfile(const QString &job, int forms);

} // namespace vant::bench
