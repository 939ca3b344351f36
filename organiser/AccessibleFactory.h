#pragma once

// Makes the accessible interfaces of the controls that draw themselves, in place of the generic
// one that would show assistive tools a nameless filler. Safe to call any number of times; the
// controls call it as they are made.
void installAccessibleFactory();
