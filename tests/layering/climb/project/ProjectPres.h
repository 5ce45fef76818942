#pragma once

// A presenter header for the foundation above to climb to.
