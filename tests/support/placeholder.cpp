// replaced by the helpers
