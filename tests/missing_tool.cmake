# Stands in for a test whose tool is missing: fails with MESSAGE.
message(FATAL_ERROR "${MESSAGE}")
