#include "run/run_parameters.h"

RunParameters& TheRunParameters()
{
    static RunParameters parameters;
    return parameters;
}
