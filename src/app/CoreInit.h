#pragma once

// Registers the compiled-in application and translation bundles and the meta-types that
// travel through queued signals. The core is a static library, so every program that links
// it calls this once before anything else.
void initPictoviaCore();
