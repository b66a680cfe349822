#pragma once

// Marks the entry points that the executable exports to its dynamic symbol table. Everything is
// built with hidden visibility, so whatever lacks the mark stays out of the table.
#define ORV_API __attribute__((visibility("default")))
