// Export of agent sites: the "QRTAGENT" record and the link wrappers that
// write a site together with a LINK from its owner (database, step, program).
#pragma once

#include "export/tag_property.h"

class AgentSite;

// One "QRTAGENT" object.
void export_AgentSite(AgentSite* site);
// The site and a LINK from the database with databaseKeys to it.
void export_AgentSite_forIR(AgentSite* site, Euit_ParmList& databaseKeys);
// The site and a LINK from the step with stepKeys to it.
void export_AgentSite_forBV(AgentSite* site, Euit_ParmList& stepKeys);
// The site and a LINK from the program with programKeys to it.
void export_AgentSite_forUDP(AgentSite* site, Euit_ParmList& programKeys);
