#pragma once

// A foundation header reaching up into a presenter: the layering check must name this include.
#include "project/ProjectPres.h"
