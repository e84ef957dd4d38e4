// The TDC file: the static description of the test that the report tools read next to a run's
// trace, one numbered record per element of the script. Writing it numbers the elements; in PROBE
// mode the same walk writes the probe header.
#pragma once
#include <string>

#include "gen/generation.h"

namespace gen {

// Writes `tdc_name` (and, in PROBE mode, starts `header_name`) through the context's output set.
// "FICERROPN" when a file cannot be created, "SIZBUFOVL" for a line over 4095 characters, a family
// list over 3998 or a working directory that does not fit 4000 characters, "BADPARAMS" for an
// impossible instance mode or an instance name given with instances chosen at run time.
void write_tdc(GenContext& context, const std::string& tdc_name, const std::string& header_name);

}  // namespace gen
