#pragma once

// Registers the compiled-in resources (art, cursor, help, strings). A static
// library's resources are dropped by the linker unless something calls this;
// every user of the resources calls it before the first lookup. Cheap to repeat.
void initZarvekResources();
