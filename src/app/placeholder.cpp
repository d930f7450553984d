void zarvekAppPlaceholder() {}
