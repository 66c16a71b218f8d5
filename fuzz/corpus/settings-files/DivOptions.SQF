DivOptions.SQF
+
+
-
+
+
+
