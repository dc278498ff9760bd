USING libx
