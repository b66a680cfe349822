#pragma once

// Marks the engine entry points that the executable exports to the dynamic symbol table.
#define ORV_API __attribute__((visibility("default")))
