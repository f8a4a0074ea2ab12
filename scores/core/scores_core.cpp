// Placeholder until this library has its first unit; remove it then.
