USING Tools
USING util
