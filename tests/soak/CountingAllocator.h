#pragma once

// Objects made with new and not yet deleted.
long long LiveAllocations();
