// HELPERS.h of an earlier run
