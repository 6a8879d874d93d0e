// The job context is a port (the progress window and the tool implement it);
// it lives in ports/.  This name is kept for the code that includes it here.
#pragma once

#include "ports/job_context.h"
