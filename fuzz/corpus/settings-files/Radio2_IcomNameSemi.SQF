Radio2/IcomNameSemi.SQF
IC-9700
