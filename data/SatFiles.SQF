Amateur
Standard
