USING Tools
