// Reconnaissance results and ageing of the intelligence database.
#include "reports/reconnaissance_results.h"

namespace vaskorath {

// Will age the player's intelligence entries and report returning reconnaissance troops.
int reportReconnaissanceResults(Game&, int) { return 0; }

}  // namespace vaskorath
