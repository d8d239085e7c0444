// Round report.
#include "reports/round_report.h"

namespace vaskorath {

// Will credit the income, finish production and print the sections of the round report.
void showRoundReport(Game&, int) {}

}  // namespace vaskorath
